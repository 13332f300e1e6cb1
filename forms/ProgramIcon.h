#pragma once

#include <QIcon>

// The program's icon in every size it was drawn in, so each place picks a crisp one.
QIcon programIcon();
