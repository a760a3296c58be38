#pragma once

class QLabel;
class QString;

namespace quarvel {

// Writes a computed value into an output label and tells screen readers,
// which read the label's name, that it changed.
void showResult(QLabel& label, const QString& text);

}  // namespace quarvel
