#include "settings_place.h"

SettingsPlace chooseSettingsPlace(const SettingsFacts& facts)
{
    const QString& beside = facts.besideExecutable;
    // An existing writable file is written in place even when its folder is read-only.
    if (facts.besideExists ? facts.besideWritable : facts.folderWritable)
        return {facts.besideExists ? beside : QString(), beside};
    // With no user folder there is nowhere better: the close reports the failure.
    if (facts.userFile.isEmpty())
        return {facts.besideExists ? beside : QString(), beside};
    if (facts.userFileExists)
        return {facts.userFile, facts.userFile};
    if (facts.besideExists && !facts.besideReadable)
        return {QString(), facts.userFile, beside};
    return {facts.besideExists ? beside : QString(), facts.userFile};
}
