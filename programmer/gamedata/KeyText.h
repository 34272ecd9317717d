#pragma once

#include <QString>
#include <QStringList>

class ButtonRecord;
class MessageBox;

// Readable names of a record's presses 1..NumKeyPresses (at most 14), one entry per press,
// each from the press's own slice of the code bytes.
QStringList KeyPressNames(const ButtonRecord& record, MessageBox& messageBox);

// The record's KeyText: its press names separated by one blank, none after the last.
QString KeyTextOf(const ButtonRecord& record, MessageBox& messageBox);
