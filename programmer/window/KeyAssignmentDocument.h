#pragma once

#include <QString>

class QDateTime;

// Rules of the key-assignment document that need no window: its file names, its file format
// and the date line of its printout.
namespace KeyAssignmentDocument {

// The name of a document never saved; Save then asks for a name.
inline const QString UntitledName = QStringLiteral("Untitled.rtf");

// Filter of the document's open and save dialogs.
inline const QString DialogFilter =
    QStringLiteral("Rich Text Files (*.rtf)|*.rtf|Text files (*.txt)|*.txt|Ini files "
                   "(*.ini)|*.ini|All files (*.*)|*.*");

// True when a document of this file name is written as RTF: its last three letters are "rtf"
// in any letter case. Every other name is written as plain text.
bool savesAsRtf(const QString& fileTitle);

// "dd mmmm yyyy, h:mm am/pm" with English month names, e.g. "08 December 2026, 9:05 pm".
QString printedOn(const QDateTime& when);

} // namespace KeyAssignmentDocument
