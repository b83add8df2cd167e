// Entry point. Errors of start-up and play are logged and still shut the
// agents down in order; the exit status is 1 after any error, 0 after a
// normal quit and after the help, version and configuration listings.

#include "game/Application.h"
#include "gengine/BaseException.h"
#include "gengine/Log.h"

#include <cstdio>
#include <exception>

int main(int argc, char *argv[])
{
    int status = 0;
    try {
        Application app;
        try {
            app.init(argc, argv);
            app.run();
        } catch (const HelpException &e) {
            puts(e.what());
        } catch (const BaseException &e) {
            LOG_ERROR(e.info());
            status = 1;
        }
        app.shutdown();
    } catch (const BaseException &e) {
        LOG_ERROR(e.info());
        return 1;
    } catch (const std::exception &e) {
        LOG_ERROR(InfoText("std::exception").addValue("what", e.what()));
        return 1;
    } catch (...) {
        LOG_ERROR(InfoText("unknown exception"));
        return 1;
    }
    return status;
}
