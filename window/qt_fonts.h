#pragma once

#include "window/form_description.h"

#include <QFont>

// The Qt font for a described font, with faces of the same family and metrics standing in
// where the described face is not installed.
QFont qtFont(const form::Font &font);
