// The toolkit's floor for the launch benchmark: what any Qt Widgets program
// pays to show one window of the calculator's collapsed client size. With
// --text the dialog also shows one line of text, which adds what any window
// with text pays: the font database and the first font.
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
  dialog.show();
  return application.exec();
}
