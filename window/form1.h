#pragma once

#include <array>

#include <QDialog>
#include <QString>

#include "ui_form1.h"

namespace estimate {
enum class LengthUnit;
}

namespace quarvel {

// The one window: the dimension panel computes the volume, the cost panel
// below it (shown by "Cost") the total cost. Everything it knows lives in
// its controls; the handlers read them when they run.
//
// A dialog, because only dialogs give a push button the default role.
class Form1 : public QDialog {
  Q_OBJECT

 public:
  explicit Form1(QWidget* parent = nullptr);

  // Rounds `value` to a multiple of `RStep` in mode "DN", "UP" or "NE"
  // (which also leaves value + RStep / 2 in `value`). Failures are thrown.
  double doRound(double& value, const double& RStep, const QString& Mode);

  // No cancel key of any platform closes the window: there is nothing to cancel.
  void reject() override {}

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Form_Load();
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Option1_Click();
  void Option2_Click();
  void Label10_Click();

  double layoutScaleForFont() const;
  // The captions of the length, width and depth fields in `unit`.
  static std::array<QString, 3> captions(estimate::LengthUnit unit);
  void showUnit(estimate::LengthUnit unit);
  void makeDefault(QPushButton* button);

  Ui::Form1 ui;
  // How much larger than designed the layout is, so that the user's font fits.
  double scale_ = 1;
};

}  // namespace quarvel
