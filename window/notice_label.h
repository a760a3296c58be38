#pragma once

#include <QLabel>

namespace quarvel {

// The warranty notice: a label that shows the note-sheet pointer and reports
// a left click, a press and a release both inside it.
class NoticeLabel : public QLabel {
  Q_OBJECT

 public:
  explicit NoticeLabel(QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

}  // namespace quarvel
