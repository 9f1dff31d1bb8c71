#pragma once
// The pictures compiled into the window library (icons, Moon pictures). A static library's
// resources must be registered once by the program that links it, outside any namespace.

#include <QtGlobal>

inline void InitChronelResources() {
    Q_INIT_RESOURCE(icons);
    Q_INIT_RESOURCE(moon);
}
