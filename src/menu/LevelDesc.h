#ifndef HEADER_LEVELDESC_H
#define HEADER_LEVELDESC_H

// The name and description of one level in one language, kept in the world
// map's dialog pack under the level's code name: a silent line whose
// subtitle is the description.

#include "gengine/Dialog.h"

#include <string>

class LevelDesc : public Dialog {
    private:
        std::string m_levelName;
    public:
        LevelDesc(const std::string &lang, const std::string &levelName, const std::string &desc)
            : Dialog(lang, "", desc), m_levelName(levelName) {}

        const std::string &getLevelName() const { return m_levelName; }
        const std::string &getDesc() const { return getRawSubtitle(); }
};

#endif
