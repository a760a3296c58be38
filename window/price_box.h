#pragma once

#include <QComboBox>

namespace quarvel {

// The price field: its list opens at the price shown, when the list has it.
class PriceBox : public QComboBox {
  Q_OBJECT

 public:
  explicit PriceBox(QWidget* parent = nullptr) : QComboBox(parent) {}

  void showPopup() override;
};

}  // namespace quarvel
