#include "window/form1.h"

#include <optional>

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "estimate/pour_estimate.h"
#include "estimate/step_rounding.h"
#include "window/app_icons.h"
#include "window/application_identity.h"
#include "window/clickable_label.h"
#include "window/control_factory.h"
#include "window/failure_report.h"
#include "window/form1_texts.h"
#include "window/layout_table.h"
#include "window/locale_separators.h"
#include "window/message_box.h"
#include "window/result_label.h"
#include "window/select_on_focus.h"
#include "window/text_views.h"
#include "window/window_font.h"
#include "window/window_metrics.h"

namespace quarvel {
namespace {

constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                         Qt::WindowCloseButtonHint;

constexpr const char* kCommandButtons[] = {"Command1", "Command2", "Command3"};

bool isEnter(const QKeyEvent& event) {
  return (event.key() == Qt::Key_Return && event.modifiers() == Qt::NoModifier) ||
         (event.key() == Qt::Key_Enter &&
          (event.modifiers() == Qt::NoModifier || event.modifiers() == Qt::KeypadModifier));
}

}  // namespace

Form1::Form1(QWidget* parent) : QDialog(parent, kWindowFlags) {
  setWindowTitle(QString::fromLatin1(kWindowCaption));
  setWindowIcon(trefoilIcon());
  setFont(fittingFont(font(), layoutCaptionBoxes(*style())));
  setOuterSizeTwips(*this, kClientWidth + kFrameWidth, ExpandedHeight);
  createControls(*this);

  auto* selectOnFocus = new SelectOnFocus(this);
  for (const char* field : {"Text1", "Text2", "Text3"}) {
    selectOnFocus->attach(control<QLineEdit>(field));
  }
  selectOnFocus->attach(control<QComboBox>("Combo1"));

  connect(control<QPushButton>("Command1"), &QPushButton::clicked, this, &Form1::Command1_Click);
  connect(control<QPushButton>("Command2"), &QPushButton::clicked, this, &Form1::Command2_Click);
  connect(control<QPushButton>("Command3"), &QPushButton::clicked, this, &Form1::Command3_Click);
  connect(control<QRadioButton>("Option1"), &QRadioButton::clicked, this, &Form1::Option1_Click);
  connect(control<QRadioButton>("Option2"), &QRadioButton::clicked, this, &Form1::Option2_Click);
  connect(control<ClickableLabel>("Label10"), &ClickableLabel::clicked, this,
          &Form1::Label10_Click);

  for (const FieldCaption& pair : kFieldCaptions) {
    control<QLabel>(pair.caption)->setBuddy(control<QWidget>(pair.field));
  }
  showUnit(estimate::LengthUnit::Feet);
  Form_Load();
  control<QLineEdit>("Text1")->setFocus();
}

double Form1::doRound(double& value, const double& RStep, const QString& Mode) {
  return estimate::doRound(value, RStep, utf16View(Mode));
}

void Form1::keyPressEvent(QKeyEvent* event) {
  if (isEnter(*event)) {
    // A focused command button takes Enter itself; elsewhere the default button does.
    auto* button = qobject_cast<QPushButton*>(focusWidget());
    for (const char* name : kCommandButtons) {
      if (button == nullptr && control<QPushButton>(name)->isDefault()) {
        button = control<QPushButton>(name);
      }
    }
    if (button != nullptr) {
      button->click();
    }
    return;
  }
  if (event->key() == Qt::Key_Escape) {
    return;  // no cancel button: Esc must not hide the window
  }
  QDialog::keyPressEvent(event);
}

void Form1::closeEvent(QCloseEvent* event) {
  // A dialog would only reject() and hide; closing this window ends the program.
  event->accept();
}

void Form1::Form_Load() {
  const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
  move(centredTopLeft(screen, outerWidthTwips(*this), outerHeightTwips(*this)));
  setOuterSizeTwips(*this, outerWidthTwips(*this), CollapsedHeight);
  makeDefault("Command1");

  auto* combo = control<QComboBox>("Combo1");
  const QString designed = combo->currentText();
  for (const char* price : kPrices) {
    combo->addItem(QString::fromLatin1(price));
  }
  // Appending to an empty list selects its first entry; the shown text stays as designed.
  combo->setCurrentIndex(-1);
  combo->setEditText(designed);
}

void Form1::Command1_Click() {
  reportingFailures(this, [this] {
    const QString length = control<QLineEdit>("Text1")->text();
    const QString width = control<QLineEdit>("Text2")->text();
    const QString depth = control<QLineEdit>("Text3")->text();
    std::optional<estimate::LengthUnit> unit;
    if (control<QRadioButton>("Option2")->isChecked()) {
      unit = estimate::LengthUnit::Inches;
    } else if (control<QRadioButton>("Option1")->isChecked()) {
      unit = estimate::LengthUnit::Feet;
    }
    const auto volume = estimate::VolumeEstimate(utf16View(length), utf16View(width),
                                                 utf16View(depth), unit, systemSeparators());
    if (volume) {
      showResult(*control<QLabel>("Label1"), toQString(*volume));
    }
  });
}

void Form1::Command2_Click() {
  if (outerHeightTwips(*this) == CollapsedHeight) {
    setOuterSizeTwips(*this, outerWidthTwips(*this), ExpandedHeight);
    makeDefault("Command3");
  } else {
    setOuterSizeTwips(*this, outerWidthTwips(*this), CollapsedHeight);
    makeDefault("Command1");
  }
}

void Form1::Command3_Click() {
  reportingFailures(this, [this] {
    // No volume shown yet gives no result: the price is not even read as a number.
    const QString volume = control<QLabel>("Label1")->text();
    const QString price = control<QComboBox>("Combo1")->currentText();
    const auto cost =
        estimate::CostEstimate(utf16View(price), utf16View(volume), systemSeparators());
    if (cost) {
      showResult(*control<QLabel>("Label8"), toQString(*cost));
    }
  });
}

void Form1::Option1_Click() {
  if (!control<QRadioButton>("Option1")->isChecked()) {
    return;
  }
  control<QRadioButton>("Option2")->setChecked(false);
  showUnit(estimate::LengthUnit::Feet);
}

void Form1::Option2_Click() {
  if (!control<QRadioButton>("Option2")->isChecked()) {
    return;
  }
  control<QRadioButton>("Option1")->setChecked(false);
  showUnit(estimate::LengthUnit::Inches);
}

void Form1::Label10_Click() {
  showMessageBox(this, {.title = QString::fromLatin1(kApplicationName),
                        .text = QString::fromLatin1(kWarrantyText),
                        .icon = QMessageBox::NoIcon});
}

void Form1::showUnit(estimate::LengthUnit unit) {
  const DimensionCaptions captions = captionsFor(unit);
  control<QLabel>("Label3")->setText(QString::fromLatin1(captions.length));
  control<QLabel>("Label4")->setText(QString::fromLatin1(captions.width));
  control<QLabel>("Label5")->setText(QString::fromLatin1(captions.depth));
  // Screen readers take a field's name from here, or on some platforms from its buddy label.
  for (const FieldCaption& pair : kFieldCaptions) {
    control<QWidget>(pair.field)->setAccessibleName(control<QLabel>(pair.caption)->text());
  }
}

void Form1::makeDefault(const char* button) {
  for (const char* name : kCommandButtons) {
    control<QPushButton>(name)->setDefault(false);
  }
  control<QPushButton>(button)->setDefault(true);
}

template <class Control>
Control* Form1::control(const char* name) const {
  auto* found = findChild<Control*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
  if (found == nullptr) {
    qFatal("Form1 has no control %s", name);
  }
  return found;
}

}  // namespace quarvel
