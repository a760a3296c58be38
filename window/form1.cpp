#include "window/form1.h"

#include <array>
#include <optional>
#include <vector>

#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QShortcut>

#include "estimate/pour_estimate.h"
#include "estimate/step_rounding.h"
#include "window/app_icons.h"
#include "window/application_identity.h"
#include "window/failure_report.h"
#include "window/layout_scale.h"
#include "window/locale_separators.h"
#include "window/message_box.h"
#include "window/result_copy_key.h"
#include "window/select_on_focus.h"
#include "window/text_views.h"
#include "window/window_metrics.h"

namespace quarvel {
namespace {

constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                         Qt::WindowCloseButtonHint;

// What the boxes must hold at the user's font: a long result, a typed
// dimension, the longest price of the list.
constexpr char kTypicalResult[] = "9999999.99";
constexpr char kTypicalEntry[] = "9999.99";
constexpr char kLongestPrice[] = "100";

// Texts, not numbers: what the user picks is read as typed. 66 is left out on purpose.
constexpr std::array<const char*, 25> kPrices{"50", "52", "54", "56", "58", "60", "62", "64", "68",
                                              "70", "72", "74", "76", "78", "80", "82", "84", "86",
                                              "88", "90", "92", "94", "96", "98", "100"};

bool isEnter(const QKeyEvent& event) {
  return (event.key() == Qt::Key_Return && event.modifiers() == Qt::NoModifier) ||
         (event.key() == Qt::Key_Enter &&
          (event.modifiers() == Qt::NoModifier || event.modifiers() == Qt::KeypadModifier));
}

// Ctrl+Q and Ctrl+W on every platform (Windows has no quit key of its own),
// and the platform's own quit and close keys.
void closeOnQuitKeys(QWidget& window) {
  QList<QKeySequence> keys{QKeySequence(Qt::CTRL | Qt::Key_Q), QKeySequence(Qt::CTRL | Qt::Key_W)};
  for (const auto standard : {QKeySequence::Quit, QKeySequence::Close}) {
    for (const QKeySequence& key : QKeySequence::keyBindings(standard)) {
      if (!keys.contains(key)) {
        keys << key;  // a key bound twice would be ambiguous and do nothing
      }
    }
  }
  auto* shortcut = new QShortcut(&window);
  shortcut->setKeys(keys);
  QObject::connect(shortcut, &QShortcut::activated, &window, &QWidget::close);
}

}  // namespace

Form1::Form1(QWidget* parent) : QDialog(parent, kWindowFlags) {
  ui.setupUi(this);
  setWindowIcon(trefoilIcon());
  // A typed price is used as typed: never completed from the list.
  ui.Combo1->setCompleter(nullptr);
  scale_ = layoutScaleForFont();
  scaleLayout(*this, scale_);
  setFixedSize(size());

  auto* selectOnFocus = new SelectOnFocus(this);
  for (QLineEdit* field : {ui.Text1, ui.Text2, ui.Text3}) {
    selectOnFocus->attach(field);
  }
  selectOnFocus->attach(ui.Combo1);

  connect(ui.Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
  connect(ui.Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
  connect(ui.Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
  connect(ui.Option1, &QRadioButton::clicked, this, &Form1::Option1_Click);
  connect(ui.Option2, &QRadioButton::clicked, this, &Form1::Option2_Click);
  connect(ui.Label10, &NoticeLabel::clicked, this, &Form1::Label10_Click);
  new ResultCopyKey(*this, {ui.Label1, ui.Label8});

  closeOnQuitKeys(*this);

  showUnit(estimate::LengthUnit::Feet);
  Form_Load();
  ui.Text1->setFocus();
}

double Form1::doRound(double& value, const double& RStep, const QString& Mode) {
  return estimate::doRound(value, RStep, utf16View(Mode));
}

void Form1::keyPressEvent(QKeyEvent* event) {
  if (isEnter(*event)) {
    // A focused command button takes Enter itself; elsewhere the default button does.
    auto* button = qobject_cast<QPushButton*>(focusWidget());
    for (QPushButton* command : {ui.Command1, ui.Command2, ui.Command3}) {
      if (button == nullptr && command->isDefault()) {
        button = command;
      }
    }
    if (button != nullptr) {
      button->click();
    }
    return;
  }
  QDialog::keyPressEvent(event);
}

void Form1::closeEvent(QCloseEvent* event) {
  // A dialog would only reject() and hide; closing this window ends the program.
  event->accept();
}

// Every caption in both units, the notice, and what the fields and result
// boxes typically hold, measured in the fonts the controls have now.
double Form1::layoutScaleForFont() const {
  std::vector<BoxedText> texts;
  for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
      texts.push_back({label, label->text()});
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
      texts.push_back({button, button->text()});
    }
  }
  const std::array<QString, 3> inches = captions(estimate::LengthUnit::Inches);
  texts.insert(texts.end(), {{ui.Label3, inches[0]},
                             {ui.Label4, inches[1]},
                             {ui.Label5, inches[2]},
                             {ui.Label1, QString::fromLatin1(kTypicalResult)},
                             {ui.Label8, QString::fromLatin1(kTypicalResult)},
                             {ui.Combo1, QString::fromLatin1(kLongestPrice)}});
  for (QLineEdit* field : {ui.Text1, ui.Text2, ui.Text3}) {
    texts.push_back({field, QString::fromLatin1(kTypicalEntry)});
  }
  return layoutScale(texts);
}

void Form1::Form_Load() {
  move(centredTopLeft(screen()->geometry(), outerWidthTwips(*this), outerHeightTwips(*this)));
  setOuterHeightTwips(*this, CollapsedHeight, scale_);
  makeDefault(ui.Command1);

  const QString designed = ui.Combo1->currentText();
  for (const char* price : kPrices) {
    ui.Combo1->addItem(QString::fromLatin1(price));
  }
  // Appending to an empty list selects its first entry; the shown text stays as designed.
  ui.Combo1->setCurrentIndex(-1);
  ui.Combo1->setEditText(designed);
}

void Form1::Command1_Click() {
  const QString length = ui.Text1->text();
  const QString width = ui.Text2->text();
  const QString depth = ui.Text3->text();
  const EstimateInput inputs[] = {{estimate::Input::Length, ui.Label3, length},
                                  {estimate::Input::Width, ui.Label4, width},
                                  {estimate::Input::Depth, ui.Label5, depth}};
  FailureReport::run(this, FailureReport::Result::Volume, inputs, [&] {
    std::optional<estimate::LengthUnit> unit;
    if (ui.Option2->isChecked()) {
      unit = estimate::LengthUnit::Inches;
    } else if (ui.Option1->isChecked()) {
      unit = estimate::LengthUnit::Feet;
    }
    const auto volume = estimate::VolumeEstimate(utf16View(length), utf16View(width),
                                                 utf16View(depth), unit, systemSeparators());
    if (volume) {
      ui.Label1->setResult(toQString(*volume));
    }
  });
}

void Form1::Command2_Click() {
  // Compared in designed twips, so that a larger font or screen scale does
  // not turn the toggle into "always collapse".
  if (outerHeightTwips(*this, scale_) == CollapsedHeight) {
    setOuterHeightTwips(*this, ExpandedHeight, scale_);
    makeDefault(ui.Command3);
  } else {
    setOuterHeightTwips(*this, CollapsedHeight, scale_);
    makeDefault(ui.Command1);
  }
}

void Form1::Command3_Click() {
  // No volume shown yet gives no result: the price is not even read as a number.
  const QString volume = ui.Label1->result();
  const QString price = ui.Combo1->currentText();
  const EstimateInput inputs[] = {{estimate::Input::Price, ui.Label2, price},
                                  {estimate::Input::Volume, ui.Label6, volume}};
  FailureReport::run(this, FailureReport::Result::Cost, inputs, [&] {
    const auto cost =
        estimate::CostEstimate(utf16View(price), utf16View(volume), systemSeparators());
    if (cost) {
      ui.Label8->setResult(toQString(*cost));
    }
  });
}

void Form1::Option1_Click() {
  if (!ui.Option1->isChecked()) {
    return;
  }
  ui.Option2->setChecked(false);
  showUnit(estimate::LengthUnit::Feet);
}

void Form1::Option2_Click() {
  if (!ui.Option2->isChecked()) {
    return;
  }
  ui.Option1->setChecked(false);
  showUnit(estimate::LengthUnit::Inches);
}

void Form1::Label10_Click() {
  showMessageBox(this, {.title = QString::fromLatin1(kApplicationName),
                        .text = tr("These programs and their documentation are offered without "
                                   "warranty of any kind. Zandrel, Dunmaran (QZ9XQ), makes no "
                                   "claim as to it's suitability for any purpose. This program is "
                                   "AS IS, and changes may be made to it at any time without "
                                   "incurring any obligations to former users. The entire risk "
                                   "arising from the use of this product remains with the user."),
                        .icon = QMessageBox::NoIcon});
}

void Form1::showUnit(estimate::LengthUnit unit) {
  const std::array<QString, 3> shown = captions(unit);
  ui.Label3->setText(shown[0]);
  ui.Label4->setText(shown[1]);
  ui.Label5->setText(shown[2]);
  // Screen readers take a field's name from here, or on some platforms from its buddy label.
  for (QLabel* caption : {ui.Label3, ui.Label4, ui.Label5, ui.Label2}) {
    caption->buddy()->setAccessibleName(caption->text());
  }
}

std::array<QString, 3> Form1::captions(estimate::LengthUnit unit) {
  if (unit == estimate::LengthUnit::Feet) {
    return {tr("Length in Feet"), tr("Width in Feet"), tr("Depth in Feet")};
  }
  return {tr("Length in Inches"), tr("Width in Inches"), tr("Depth in Inches")};
}

void Form1::makeDefault(QPushButton* button) {
  for (QPushButton* command : {ui.Command1, ui.Command2, ui.Command3}) {
    command->setDefault(false);
  }
  button->setDefault(true);
}

}  // namespace quarvel
