#include "level/Anim.h"

#include "effect/EffectInvisible.h"
#include "effect/EffectMirror.h"
#include "effect/EffectNone.h"
#include "effect/EffectReverse.h"
#include "effect/EffectZx.h"
#include "gengine/BaseException.h"
#include "gengine/Log.h"
#include "gengine/OptionAgent.h"
#include "gengine/Path.h"
#include "gengine/ResCache.h"
#include "gengine/ResImagePack.h"
#include "gengine/TextTool.h"

#include <climits>
#include <cstdlib>

namespace {

std::string escapeName(const std::string &name)
{
    return TextTool::replaceAll(TextTool::replaceAll(name, "&", "&amp;"), ",", "&comma;");
}

std::string unescapeName(const std::string &text)
{
    return TextTool::replaceAll(TextTool::replaceAll(text, "&comma;", ","), "&amp;", "&");
}

/** Warns about a malformed number and uses what strtol made of it anyway. */
int readStateInt(const std::string &text)
{
    bool ok = false;
    int value = TextTool::readInt(text, &ok);
    if (!ok) {
        LOG_WARNING(InfoText("invalid int").addValue("input", text));
        // readInt refuses trailing characters; the leading number still counts.
        const char *start = text.c_str();
        char *end = nullptr;
        long parsed = std::strtol(start, &end, 0);
        if (parsed > INT_MAX || parsed < INT_MIN) {
            parsed = 0;
        }
        value = static_cast<int>(parsed);
    }
    return value;
}

bool useCache()
{
    return OptionAgent::instance()->getBool("cache_images", true);
}

}

Anim::Anim()
    : m_effect(new EffectNone()), m_viewShift(0, 0), m_animPhase(0), m_run(false),
      m_specialAnimPhase(0)
{
}

Anim::~Anim()
{
    freeFrames();
}

void Anim::freeFrames()
{
    for (t_frames &frames : m_frames) {
        for (t_frames::value_type &entry : frames) {
            for (const Frame &frame : entry.second) {
                if (frame.cached) {
                    ResCache::instance()->release(frame.surface);
                } else {
                    SDL_FreeSurface(frame.surface);
                }
            }
        }
        frames.clear();
    }
}

void Anim::changeEffect(ViewEffect *effect)
{
    if (!effect) {
        throw LogicException(InfoText("new_effect is NULL")
                .addValue("animName", m_animName)
                .addValue("specialAnimName", m_specialAnimName));
    }
    m_effect.reset(effect);
}

void Anim::setEffect(const std::string &name)
{
    ViewEffect *effect = nullptr;
    if (name == "none") {
        effect = new EffectNone();
    } else if (name == "mirror") {
        effect = new EffectMirror();
    } else if (name == "invisible") {
        effect = new EffectInvisible();
    } else if (name == "reverse") {
        effect = new EffectReverse();
    } else if (name == "zx") {
        effect = new EffectZx();
    } else {
        LOG_WARNING(InfoText("unknown view effect").addValue("effect", name));
        return;
    }
    m_effect.reset(effect);
}

void Anim::addPhase(const std::string &name, int lookDir)
{
    if (lookDir == 0 || lookDir == 1) {
        ++m_phases[lookDir][name];
    }
}

void Anim::addAnim(const std::string &name, SDL_Surface *surface, int lookDir)
{
    if (lookDir != 0 && lookDir != 1) {
        SDL_FreeSurface(surface);
        throw LogicException(InfoText("bad look direction").addValue("lookDir", lookDir));
    }
    m_frames[lookDir][name].push_back(Frame{surface, false});
}

void Anim::addImage(const std::string &name, const Path &file, int lookDir)
{
    if (lookDir != 0 && lookDir != 1) {
        throw LogicException(InfoText("bad look direction").addValue("lookDir", lookDir));
    }
    m_usedPath = file.getNative();
    bool cached = useCache();
    SDL_Surface *surface = cached ? ResCache::instance()->acquire(file) : ResImagePack::loadImage(file);
    m_frames[lookDir][name].push_back(Frame{surface, cached});
}

int Anim::countAnims(const std::string &name, int lookDir) const
{
    if (lookDir != 0 && lookDir != 1) {
        return 0;
    }
    int count = 0;
    t_frames::const_iterator frames = m_frames[lookDir].find(name);
    if (frames != m_frames[lookDir].end()) {
        count += static_cast<int>(frames->second.size());
    }
    std::map<std::string, int>::const_iterator phases = m_phases[lookDir].find(name);
    if (phases != m_phases[lookDir].end()) {
        count += phases->second;
    }
    return count;
}

void Anim::runAnim(const std::string &name, int phase)
{
    if (name != m_animName) {
        setAnim(name, phase);
    }
    m_run = true;
}

void Anim::setAnim(const std::string &name, int phase)
{
    m_run = false;
    m_animName = name;
    m_animPhase = phase;
    int count = countAnims(name, 0);
    if (count <= phase) {
        m_animPhase = count == 0 ? 0 : phase % count;
        LOG_WARNING(InfoText("anim phase over-flow")
                .addValue("anim", name)
                .addValue("phase", phase)
                .addValue("count", count)
                .addValue("usedPath", m_usedPath));
    }
}

void Anim::useSpecialAnim(const std::string &name, int phase)
{
    m_specialAnimName = name;
    m_specialAnimPhase = phase;
    if (name.empty()) {
        return;
    }
    int count = countAnims(name, 0);
    if (count <= phase) {
        if (count == 0) {
            m_specialAnimName = "";
            m_specialAnimPhase = 0;
        } else {
            m_specialAnimPhase = phase % count;
        }
        LOG_WARNING(InfoText("special anim phase over-flow")
                .addValue("anim", name)
                .addValue("phase", phase)
                .addValue("count", count));
    }
}

SDL_Surface *Anim::getFrame(const std::string &name, int phase, int lookDir) const
{
    // Like a resource pack, a phase of 0 or below means the first picture.
    if (phase < 0) {
        phase = 0;
    }
    t_frames::const_iterator frames = m_frames[lookDir].find(name);
    if (frames == m_frames[lookDir].end() || static_cast<size_t>(phase) >= frames->second.size()) {
        throw ResourceException(InfoText("no such resource at index")
                .addValue("name", name)
                .addValue("index", phase)
                .addValue("pack", "anim"));
    }
    return frames->second[static_cast<size_t>(phase)].surface;
}

void Anim::drawAt(SDL_Surface *screen, int x, int y, int lookDir)
{
    if (lookDir != 0) {
        lookDir = 1;
    }
    if (!m_effect->isInvisible()) {
        m_effect->blit(screen, getFrame(m_animName, m_animPhase, lookDir), x, y);
        if (m_run) {
            ++m_animPhase;
            if (m_animPhase >= countAnims(m_animName, lookDir)) {
                m_animPhase = 0;
            }
        }
        if (!m_specialAnimName.empty()) {
            m_effect->blit(screen, getFrame(m_specialAnimName, m_specialAnimPhase, lookDir), x, y);
        }
    }
    m_effect->updateEffect();
}

std::string Anim::getState() const
{
    return std::string(m_effect->getName())
        + "," + TextTool::toText(m_viewShift.getX())
        + "," + TextTool::toText(m_viewShift.getY())
        + "," + escapeName(m_animName)
        + "," + TextTool::toText(m_animPhase)
        + "," + (m_run ? "1" : "0")
        + "," + escapeName(m_specialAnimName)
        + "," + TextTool::toText(m_specialAnimPhase);
}

void Anim::setState(const std::string &state)
{
    std::vector<std::string> parts = TextTool::split(state, ',');
    if (parts.size() != 8) {
        LOG_WARNING(InfoText("invalid anim state").addValue("state", state));
        return;
    }
    int shiftX = readStateInt(parts[1]);
    int shiftY = readStateInt(parts[2]);
    m_viewShift = V2(shiftX, shiftY);
    m_animName = unescapeName(parts[3]);
    m_animPhase = readStateInt(parts[4]);
    m_run = readStateInt(parts[5]) != 0;
    m_specialAnimName = unescapeName(parts[6]);
    m_specialAnimPhase = readStateInt(parts[7]);
    setEffect(parts[0]);
}
