#pragma once

#include <QCursor>
#include <QGuiApplication>

// The busy pointer for as long as it lives, however the work ends.
class BezigeMuis {
public:
    BezigeMuis() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BezigeMuis() { QGuiApplication::restoreOverrideCursor(); }
    BezigeMuis(const BezigeMuis&) = delete;
    BezigeMuis& operator=(const BezigeMuis&) = delete;
};
