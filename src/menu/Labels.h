#ifndef HEADER_LABELS_H
#define HEADER_LABELS_H

// The translated texts of the menus, read from a labels script that calls
// label_text(name, lang, text) once per text and language. A label is shown
// in the player's language ("lang"), else in English, else as "???".

#include "gengine/Scripter.h"

#include <string>
#include <vector>

class Path;
class ResDialogPack;

class Labels : public Scripter {
    private:
        ResDialogPack *m_pack;
    public:
        /** Runs the labels script; its errors throw ScriptException. */
        explicit Labels(const Path &file);
        virtual ~Labels();

        void addLabel(const std::string &name, const std::string &lang, const std::string &text);
        /** The text in the current language; "???" (logged) when there is none. */
        std::string getLabel(const std::string &name) const;
        /** The text with %1 replaced by args[1], %2 by args[2], ...; "???" when there is none. */
        std::string getFormatted(const std::string &name, const std::vector<std::string> &args) const;
};

#endif
