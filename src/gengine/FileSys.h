#ifndef HEADER_FILESYS_H
#define HEADER_FILESYS_H

// File-system helpers behind Path. Paths use "/" as separator and their
// native form is the same text. Files the program writes go through
// replaceFile, so a crash never leaves a truncated file behind.

#include <string>

class FileSys {
    public:
        /** file when dir is empty, else dir + "/" + file. */
        static std::string join(const std::string &dir, const std::string &file);
        /** True for the empty path, else whether stat succeeds (files and dirs). */
        static bool exists(const std::string &path);
        /** Creates every missing directory that contains path (not path itself). */
        static void createPath(const std::string &path);
        /** mkdir with mode 0777; throws PathException "cannot create dir". */
        static void createDir(const std::string &dir);
        /**
         * Writes content to a temporary file beside path, then renames it over
         * path. On failure the old file is untouched, the temporary file is
         * removed and PathException "cannot write file" is thrown.
         */
        static void replaceFile(const std::string &path, const std::string &content);
        /** The whole file; throws PathException "cannot read file". */
        static std::string readFile(const std::string &path);
};

#endif
