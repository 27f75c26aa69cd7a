#pragma once

// Walks a window's tab order the way a keyboard user does, and lists the controls a keyboard or a
// screen reader would miss.

#include <QAccessible>
#include <QApplication>
#include <QStringList>
#include <QWidget>
#include <QtTest/QtTest>

#include <gtest/gtest.h>

#include <vector>

namespace quorvant::testing {

// The controls of window that Tab should reach: shown, enabled, taking focus by Tab, and not
// handing their focus on to another control.
inline std::vector<QWidget*> TabStops(QWidget* window) {
    std::vector<QWidget*> stops;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || !w->isEnabled() || w->focusProxy()) continue;
        if ((w->focusPolicy() & Qt::TabFocus) != Qt::TabFocus) continue;
        if (w->window() != window) continue;
        stops.push_back(w);
    }
    return stops;
}

// The controls Tab reaches, in order, from the first of window's focus chain round to it again.
// A control that keeps Tab for itself (a table moving from cell to cell) is pressed through.
inline std::vector<QWidget*> TabOrder(QWidget* window) {
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    std::vector<QWidget*> stops = TabStops(window);
    std::vector<QWidget*> order;
    if (stops.empty()) return order;
    QWidget* first = stops.front();
    first->setFocus(Qt::TabFocusReason);
    QWidget* start = QApplication::focusWidget();
    if (!start) return order;
    order.push_back(start);
    QWidget* last = start;
    for (int press = 0; press < 4000; ++press) {
        QTest::keyClick(last, Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (!now || now == start) break;
        if (now != last && std::find(order.begin(), order.end(), now) == order.end()) order.push_back(now);
        last = now;
    }
    return order;
}

// What a screen reader says for a control: its accessible name, else its text or its buddy's.
inline QString SpokenName(QWidget* w) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(QAccessible::Name).trimmed() : QString();
}

inline QString Describe(QWidget* w) {
    return QStringLiteral("%1 \"%2\"")
        .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName());
}

// Every problem of window: tab stops Tab never reaches, and reached controls without a name.
inline QStringList KeyboardProblems(QWidget* window) {
    QStringList problems;
    std::vector<QWidget*> order = TabOrder(window);
    if (order.empty()) problems << QStringLiteral("Tab reaches nothing");
    for (QWidget* w : TabStops(window))
        if (std::find(order.begin(), order.end(), w) == order.end())
            problems << "not reached: " + Describe(w);
    for (QWidget* w : order)
        if (SpokenName(w).isEmpty()) problems << "no name: " + Describe(w);
    return problems;
}

inline ::testing::AssertionResult KeyboardReachable(QWidget* window) {
    QStringList problems = KeyboardProblems(window);
    if (problems.isEmpty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << Describe(window).toStdString() << ":\n  "
                                         << problems.join(QStringLiteral("\n  ")).toStdString();
}

} // namespace quorvant::testing
