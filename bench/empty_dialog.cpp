// The toolkit's floor for the launch benchmark: what any Qt Widgets program
// pays to show one window of the calculator's collapsed client size.
#include <QApplication>
#include <QDialog>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QDialog dialog;
  dialog.setWindowTitle(QStringLiteral("Quarvel Calc"));
  dialog.resize(166, 206);
  dialog.show();
  return application.exec();
}
