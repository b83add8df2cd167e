#ifndef HEADER_PATH_H
#define HEADER_PATH_H

// A file name on disk, and the lookup of data files. A data file is named
// relative to a data root ("script/init.lua") and looked up in the user
// directory (parameter "userdir") before the system directory ("systemdir"),
// its localised variant (name__cs.ext for "lang" cs) before the plain one.
// The parameters are read on every lookup, so changes apply at once.

#include <string>

class Path {
    private:
        std::string m_path;
        explicit Path(const std::string &native) : m_path(native) {}
        static Path dataPath(const std::string &file, bool writeable);
    public:
        /** The name as it is on disk. */
        static Path nativePath(const std::string &native) { return Path(native); }
        const std::string &getNative() const { return m_path; }
        bool exists() const;

        static Path dataUserPath(const std::string &file);
        static Path dataSystemPath(const std::string &file);
        /** The file to read: user directory first; the system path when neither exists. */
        static Path dataReadPath(const std::string &file);
        /**
         * The file to write: an existing user file, or a new empty one with its
         * directories; the system path only when the user file cannot be made.
         */
        static Path dataWritePath(const std::string &file);

        /** file with "__" + lang before its extension; unchanged for en or no extension. */
        static std::string localizePath(const std::string &file);
        /** dir joined with the localised file when it exists, else with the plain file. */
        static Path constructPath(const std::string &dir, const std::string &file);
};

#endif
