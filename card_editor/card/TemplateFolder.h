#pragma once

#include <QString>
#include <QStringList>

// Where a template lives: a folder under the templates directory named after the template,
// holding the ".qlt" file of the same name and one rich-text file per box.
namespace TemplateFolder {

// Why a name cannot be a template's folder. Any other text is a name exactly as typed.
enum class NameFault { None, Empty, OnlyBlanks, Dots, Separator, ControlCharacter };
NameFault nameFault(const QString& name);

// A name that stays inside the templates directory as one folder of it.
bool isAcceptableName(const QString& name);

QString folderOf(const QString& templatesDirectory, const QString& name);
QString fileOf(const QString& templatesDirectory, const QString& name);
// The rich-text file of box 0 to 34 in a template's folder.
QString boxFileOf(const QString& folder, int box);

// The folder a ".qlt" file lies in, and that folder's own name, which is the template's name.
QString folderOfFile(const QString& templateFile);
QString nameOfFolder(const QString& folder);

// Takes away what a failed save wrote into the folder it had just made, and the folder when it is
// then empty, so that no half template is offered later.
void removeUnfinished(const QString& folder, const QString& name);

// The templates the save dialog offers: the sub-folders of the templates directory, sorted,
// except "temp" (exactly so: "Temp" is offered) and names that could not be saved again.
QStringList templateNames(const QString& templatesDirectory);

} // namespace TemplateFolder
