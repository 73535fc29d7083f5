#pragma once

#include <QIcon>

// The pictures a desktop card or a bookmark can wear, numbered 1..CardIconCount.
inline constexpr int kCardIconCount = 100;

// The icon's picture at every size and pixel density; an empty icon outside 1..100.
QIcon CardIcon(int n);
