#pragma once
// For widget tests: a widget shown and painted as a user sees it.

#include <QCoreApplication>
#include <QImage>
#include <QTest>
#include <QWidget>

namespace tarvex::testing {

// Lets WIDGET be seen as a user sees it: shown, its charts refreshed on the
// event loop, and painted. Returns what was painted.
inline QImage Paint(QWidget& widget) {
  if (!widget.isVisible()) {
    widget.show();
    if (!QTest::qWaitForWindowExposed(&widget)) return {};
  }
  QCoreApplication::processEvents();
  return widget.grab().toImage();
}

}  // namespace tarvex::testing
