#include "window/control_factory.h"

#include <algorithm>
#include <vector>

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>

#include "window/app_icons.h"
#include "window/clickable_label.h"
#include "window/fitted_indicator_style.h"
#include "window/layout_table.h"
#include "window/option_button.h"
#include "window/result_label.h"
#include "window/window_metrics.h"

namespace quarvel {
namespace {

const QColor kNoticeRed(255, 0, 0);

QLabel* newLabel(unsigned style, QWidget& window) {
  if ((style & kClickable) != 0) {
    return new ClickableLabel(&window);
  }
  if ((style & kCopyable) != 0) {
    return new ResultLabel(&window);
  }
  return new QLabel(&window);
}

QLabel* createLabel(const ControlSpec& control, QWidget& window) {
  QLabel* label = newLabel(control.style, window);
  label->setTextFormat(Qt::PlainText);
  label->setText(QString::fromUtf8(control.text));
  if ((control.style & kBorder) != 0) {
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
  }
  const bool wrapped = (control.style & kWrapped) != 0;
  label->setWordWrap(wrapped);
  const Qt::Alignment vertical = wrapped ? Qt::AlignTop : Qt::AlignVCenter;
  label->setAlignment(((control.style & kCentred) != 0 ? Qt::AlignHCenter : Qt::AlignLeft) |
                      vertical);
  if ((control.style & kRed) != 0) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kNoticeRed);
    label->setPalette(palette);
  }
  if ((control.style & kNotePointer) != 0) {
    label->setCursor(notePointer(window.devicePixelRatioF()));
  }
  return label;
}

QComboBox* createComboBox(const ControlSpec& control, QWidget& window) {
  auto* combo = new QComboBox(&window);
  combo->setEditable(true);
  // A typed price is used as typed: never added to the list, never completed.
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->setCompleter(nullptr);
  combo->setEditText(QString::fromUtf8(control.text));
  return combo;
}

QWidget* createWidget(const ControlSpec& control, QWidget& window) {
  switch (control.kind) {
    case ControlKind::OptionButton: {
      auto* option = new OptionButton(QString::fromUtf8(control.text), &window);
      option->setChecked((control.style & kSelected) != 0);
      return option;
    }
    case ControlKind::Label:
      return createLabel(control, window);
    case ControlKind::TextBox:
      return new QLineEdit(&window);
    case ControlKind::CommandButton: {
      auto* button = new QPushButton(QString::fromUtf8(control.text), &window);
      // The window decides what Enter clicks; a focused button must not take
      // over the default role.
      button->setAutoDefault(false);
      return button;
    }
    case ControlKind::ComboBox:
      return createComboBox(control, window);
    case ControlKind::Line: {
      auto* line = new QFrame(&window);
      line->setFrameStyle(QFrame::HLine | QFrame::Plain);
      line->setLineWidth(1);
      return line;
    }
  }
  return nullptr;
}

}  // namespace

void createControls(QWidget& window) {
  std::vector<std::pair<int, QWidget*>> tabStops;
  std::vector<QRadioButton*> options;
  int lowestOption = QWIDGETSIZE_MAX;
  for (const ControlSpec& control : layoutTable()) {
    QWidget* widget = createWidget(control, window);
    widget->setObjectName(QString::fromLatin1(control.name));
    widget->setGeometry(pixelRect(control));
    if (control.toolTip[0] != '\0') {
      widget->setToolTip(QString::fromUtf8(control.toolTip));
    }
    if (control.description[0] != '\0') {
      widget->setAccessibleDescription(QString::fromUtf8(control.description));
    }
    if (widget->focusPolicy() != Qt::NoFocus) {
      tabStops.emplace_back(control.tabIndex, widget);
    }
    if (auto* option = qobject_cast<QRadioButton*>(widget)) {
      options.push_back(option);
      lowestOption = std::min(lowestOption, option->height());
    }
  }
  // Created after the controls, so it is also destroyed after them.
  auto* indicatorStyle = new FittedIndicatorStyle(lowestOption);
  indicatorStyle->setParent(&window);
  for (QRadioButton* option : options) {
    option->setStyle(indicatorStyle);
  }
  std::ranges::sort(tabStops, {}, &std::pair<int, QWidget*>::first);
  for (std::size_t i = 1; i < tabStops.size(); ++i) {
    QWidget::setTabOrder(tabStops[i - 1].second, tabStops[i].second);
  }
}

}  // namespace quarvel
