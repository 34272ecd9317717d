#include "common/dialogs/CommonDialog.h"

#include "common/dialogs/FileDialogNames.h"

#include <QFileInfo>

void CommonDialog::acceptFile(const QString& path) {
    FileName = withDefaultExtension(path, DefaultExt);
    FileTitle = QFileInfo(FileName).fileName();
}
