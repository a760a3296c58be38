#pragma once

class QWidget;

namespace quarvel {

// Creates every control of the layout table as a child of `window`, named,
// placed and set up as the table says, and chains the tab order by tab index.
void createControls(QWidget& window);

}  // namespace quarvel
