#pragma once

class QListWidget;
class QWidget;

namespace platform {

// A list of names to choose from, as every list of the program behaves: the
// row the focus lands on is no choice ("Open" or "Ok" without a selected
// name tells or removes), so it is drawn as any other row; only a selected
// row wears the highlight.
QListWidget* NieuweLijst(QWidget* parent);

}  // namespace platform
