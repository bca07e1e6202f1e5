// Entry points of the data generator, one per family of files.
#pragma once

#include <QString>

namespace gen {

bool writeScenes(const QString &dataDir);
bool writeProjectiles(const QString &dataDir);
bool writeSounds(const QString &dataDir);
bool writeIcons(const QString &iconDir);

} // namespace gen
