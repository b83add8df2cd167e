#ifndef HEADER_FISHDIALOG_H
#define HEADER_FISHDIALOG_H

// A spoken line whose subtitle goes to the screen in a named subtitle
// colour; without a colour name it shows nothing.

#include "gengine/Dialog.h"

class FishDialog : public Dialog {
    private:
        std::string m_fontName;
    public:
        FishDialog(const std::string &lang, const std::string &soundfile,
                const std::string &subtitle, const std::string &fontName);

        /** Throws ResourceException when the colour name is unknown. */
        virtual void runSubtitle(const std::vector<std::string> &args) const;
};

#endif
