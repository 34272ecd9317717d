#pragma once

#include <QtGlobal>

struct CardDocument;

// "Quillet.ini": the sections [FileLocations], [Styles] and [Miscellaneous]. Readers fall
// back to the built-in defaults for anything missing; writers leave other sections alone.
namespace CardSettings {

// Reads the four locations, creating the "Templates" and "Images" folders beside the program.
void LoadFileLocations(CardDocument& doc);
void LoadStyles(CardDocument& doc);
void LoadBottomRow(CardDocument& doc);

void SaveFileLocations(const CardDocument& doc);
void SaveStyles(const CardDocument& doc);
void SaveBottomRow(const CardDocument& doc);

// The colour a style has when the file does not give one (&H00BBGGRR).
qint32 defaultColour(int style);

} // namespace CardSettings
