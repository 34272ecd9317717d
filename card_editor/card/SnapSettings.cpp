#include "card_editor/card/SnapSettings.h"

#include "card_editor/card/BoxGeometry.h"
#include "common/platform/Profile.h"

namespace {

const QString Section = QStringLiteral("Snap stuff");
const QString SnapModeKey = QStringLiteral("SnapMode");
const QString GridCellSizeKey = QStringLiteral("GridCellSize");

} // namespace

SnapSettings SnapSettings::load(const QString& iniPath) {
    SnapSettings s;
    s.SnapMode = Profile::readInt(Section, SnapModeKey, 2, iniPath);
    s.GridCellSize = BoxGeometry::clampedCellSize(
        Profile::readInt(Section, GridCellSizeKey, BoxGeometry::DefaultGridCellSize, iniPath));
    return s;
}

bool SnapSettings::save(const QString& iniPath) const {
    return Profile::writeStrings(Section,
                                 {{SnapModeKey, QString::number(SnapMode)},
                                  {GridCellSizeKey, QString::number(GridCellSize)}},
                                 iniPath);
}
