#include "gengine/KeyBinder.h"

#include "gengine/BaseException.h"
#include "gengine/BaseMsg.h"
#include "gengine/Log.h"

#include <memory>

KeyBinder::~KeyBinder()
{
    for (t_strokes::iterator it = m_strokes.begin(); it != m_strokes.end(); ++it) {
        delete it->second;
    }
}

void KeyBinder::addStroke(const KeyStroke &stroke, BaseMsg *msg)
{
    std::unique_ptr<BaseMsg> owned(msg);
    if (m_strokes.find(stroke) != m_strokes.end()) {
        throw LogicException(InfoText("keystroke is occupied")
                .addValue("keystroke", stroke.toString()));
    }
    BaseMsg *stored = owned.get();
    m_strokes[stroke] = owned.release();
    LOG_DEBUG(InfoText("binding keystroke")
            .addValue("keystroke", stroke.toString())
            .addValue("msg", stored->describe()));
}

void KeyBinder::removeStroke(const KeyStroke &stroke)
{
    t_strokes::iterator it = m_strokes.find(stroke);
    if (it == m_strokes.end()) {
        LOG_WARNING(InfoText("keystroke does not exist")
                .addValue("keystroke", stroke.toString()));
        return;
    }
    delete it->second;
    m_strokes.erase(it);
}

void KeyBinder::keyDown(const SDL_keysym &keysym) const
{
    t_strokes::const_iterator it = m_strokes.find(KeyStroke(keysym));
    if (it != m_strokes.end()) {
        it->second->send();
    }
}
