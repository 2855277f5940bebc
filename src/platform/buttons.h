#pragma once

#include <functional>

class QPushButton;
class QWidget;

namespace vennor::buttons {

// Enter presses the default button of its window.
void makeDefault(QPushButton* button);
// Esc presses the cancel button of its window.
void makeCancel(QPushButton* button);

// Runs action once, just after window is first shown (the one-shot timer of a window's load).
void afterShown(QWidget* window, std::function<void()> action);

} // namespace vennor::buttons
