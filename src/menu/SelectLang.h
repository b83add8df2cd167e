#ifndef HEADER_SELECTLANG_H
#define HEADER_SELECTLANG_H

// A flag selector for one parameter ("lang" or "speech"): a column of rows
// of radio boxes, one per select_addFlag(value, picture) call of its script.
// A row takes flags until it is wider than 200 pixels; the flag that passes
// the width stays in that row and the next one starts a new row.

#include "widget/VBox.h"
#include "gengine/Scripter.h"

#include <string>

class HBox;
class Path;

class SelectLang : public VBox, public Scripter {
    private:
        std::string m_param;
        HBox *m_row;
    public:
        static constexpr int MAX_ROW_W = 200;

        /** Runs the script; its errors (and missing pictures) throw. */
        SelectLang(const std::string &param, const Path &script);
        virtual ~SelectLang();

        /** Adds a flag for value; the picture is a data file name. */
        void addFlag(const std::string &value, const std::string &picture);
};

#endif
