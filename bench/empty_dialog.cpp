// The toolkit's floor for the launch benchmark: what any Qt Widgets program
// pays to show one window of the calculator's collapsed client size. With
// --text the dialog also shows one line of text, which adds what any window
// with text pays: the font database and the first font. With --window it is
// also a top-level window of the calculator's kind rather than a dialog, for
// which Qt for Windows asks Direct3D about the graphics adapter.
#include <QApplication>
#include <QDialog>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QDialog dialog;
  dialog.setWindowTitle(QStringLiteral("Quarvel Calc"));
  dialog.resize(166, 206);
  if (QApplication::arguments().contains(QStringLiteral("--text"))) {
    auto* label = new QLabel(QStringLiteral("Length in Feet"), &dialog);
    label->move(8, 8);
  }
  if (QApplication::arguments().contains(QStringLiteral("--window"))) {
    dialog.setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  }
  dialog.show();
  return application.exec();
}
