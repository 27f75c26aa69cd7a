#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace quorvant::ui {

class CMainFrame;

// The active document's units filtered by an expression, the same box with an expression it cannot
// read, and Change Field over the rows the filter shows (cancelled: the document stays as it was).
bool ShootManyRecords(CMainFrame* frame, const std::function<bool(QWidget*, const QString&)>& save);

} // namespace quorvant::ui
