#ifndef HEADER_RESDIALOGPACK_H
#define HEADER_RESDIALOGPACK_H

// The dialogs of a level or a menu, several per name (one per language).
// The pack owns them. Lookups pick the dialog whose language shares the
// longest prefix with the wanted one (cs finds cs_CZ), at least 2 bytes.

#include "gengine/ResourcePack.h"
#include "gengine/Dialog.h"

class ResDialogPack : public ResourcePack<Dialog *> {
    private:
        Dialog *findBest(const std::string &name, const std::string &lang);
    public:
        virtual const char *getName() const { return "dialog_pack"; }
        virtual void unloadRes(Dialog *res);

        /** The line to show: for "lang", else for "en"; null (logged) when none. */
        Dialog *findDialogHard(const std::string &name);
        /** The line to play: for "speech" (or "lang"), else for "en"; null (logged) when none. */
        Dialog *findSpeech(const std::string &name);
};

#endif
