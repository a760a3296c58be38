#pragma once

#include <ostream>
#include <vector>

#include <QString>
#include <QStringList>

class QWidget;

namespace quarvel::testing {

// Everything a user can see of one control, or that the next keystroke or
// click depends on.
struct ControlState {
  QString name;
  QString text;  // text, caption or edit text
  int selectionStart = -1;
  int selectionLength = 0;
  int cursor = -1;
  bool checked = false;
  bool isDefault = false;
  bool visible = false;

  bool operator==(const ControlState&) const = default;
};

// The whole window at one moment, for comparing before and after an action.
struct Form1Snapshot {
  std::vector<ControlState> controls;
  QStringList priceList;
  int priceIndex = -1;
  int clientWidth = 0;
  int clientHeight = 0;
  QString focus;

  static Form1Snapshot of(const QWidget& window);

  bool operator==(const Form1Snapshot&) const = default;
};

void PrintTo(const Form1Snapshot& snapshot, std::ostream* out);

}  // namespace quarvel::testing
