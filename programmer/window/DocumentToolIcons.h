#pragma once

#include <QIcon>

// The pictures of the key-assignment document's toolbar, drawn here so that they look the same
// on every desktop. index is the toolbar button's index; a spacer or unknown index gives a null
// icon.
QIcon documentToolIcon(int index);
