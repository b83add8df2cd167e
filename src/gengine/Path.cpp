#include "gengine/Path.h"

#include "gengine/BaseException.h"
#include "gengine/FileSys.h"
#include "gengine/Log.h"
#include "gengine/OptionAgent.h"

#include <cstdio>

namespace {
// Data paths are never localised for the default language.
const char *const DEFAULT_LANG = "en";
}

bool Path::exists() const
{
    return FileSys::exists(m_path);
}

Path Path::dataUserPath(const std::string &file)
{
    return constructPath(OptionAgent::instance()->getParam("userdir"), file);
}

Path Path::dataSystemPath(const std::string &file)
{
    return constructPath(OptionAgent::instance()->getParam("systemdir"), file);
}

Path Path::dataReadPath(const std::string &file)
{
    return dataPath(file, false);
}

Path Path::dataWritePath(const std::string &file)
{
    return dataPath(file, true);
}

Path Path::dataPath(const std::string &file, bool writeable)
{
    Path path = dataUserPath(file);
    if (path.exists()) {
        return path;
    }
    if (writeable) {
        LOG_INFO(InfoText("creating path").addValue("path", path.getNative()));
        try {
            FileSys::createPath(path.getNative());
        } catch (const BaseException &e) {
            LOG_WARNING(e.info());
        }
        FILE *created = fopen(path.getNative().c_str(), "wb");
        if (created) {
            fclose(created);
            return path;
        }
    }
    return dataSystemPath(file);
}

std::string Path::localizePath(const std::string &file)
{
    std::string::size_type dot = file.rfind('.');
    if (dot == std::string::npos) {
        return file;
    }
    std::string lang = OptionAgent::instance()->getParam("lang");
    if (lang.empty() || lang == DEFAULT_LANG) {
        return file;
    }
    std::string::size_type slash = file.rfind('/');
    if (slash != std::string::npos && slash > dot) {
        return file;
    }
    std::string localized(file);
    localized.insert(dot, "__" + lang);
    return localized;
}

Path Path::constructPath(const std::string &dir, const std::string &file)
{
    std::string localized = localizePath(file);
    if (localized != file) {
        std::string native = FileSys::join(dir, localized);
        if (FileSys::exists(native)) {
            LOG_INFO(InfoText("localized").addValue("path", native));
            return Path(native);
        }
    }
    return Path(FileSys::join(dir, file));
}
