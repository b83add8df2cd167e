#ifndef HEADER_VIEW_H
#define HEADER_VIEW_H

// How a room looks and sounds: its background picture, its models drawn in
// index order at 15 pixels a cell (a moving model slides smoothly over the
// frames the round lock keeps the next round away), its decorations over
// them, and its registered sounds. The room owns its view; the view owns the
// background, the decorations and the sounds and only refers to the room.

#include "level/RoomMedia.h"

#include "gengine/Drawable.h"
#include "gengine/V2.h"

#include <memory>
#include <string>
#include <vector>

class Cube;
class Decor;
class Path;
class ResSoundPack;
class Room;
class WavyPicture;

class View : public Drawable, public RoomMedia {
    public:
        /** Pixels per cell on the screen. */
        static constexpr int CELL = 15;
    private:
        std::vector<std::unique_ptr<Decor>> m_decors;
        const Room *m_room;
        int m_animShift;
        int m_shiftSize;
        V2 m_screenShift;
        std::unique_ptr<WavyPicture> m_bg;
        std::unique_ptr<ResSoundPack> m_sounds;
        int m_startCycles;

        void drawModel(const Cube *model, SDL_Surface *screen) const;
    public:
        /** The view of room with the background picture file (a data path; "" for none). */
        View(const Room *room, const std::string &picture);
        virtual ~View();

        /** Appends a decoration, taken over. */
        void addDecor(Decor *decor);
        void removeDecors();

        virtual void noteNewRound(int phases);
        virtual V2 getFieldPos(const V2 &screenPos) const;
        virtual void playSound(const std::string &name, int volume);

        /** Where the model's top-left corner is drawn, its move so far included. */
        V2 getScreenPos(const Cube *model) const;
        void setScreenShift(const V2 &shift) { m_screenShift = shift; }
        const V2 &getScreenShift() const { return m_screenShift; }
        int getAnimShift() const { return m_animShift; }

        void addSound(const std::string &name, const Path &file);
        void setWaves(float amplitude, float period, float speed);
        /** Loads another background picture; load errors pass up and keep the old one. */
        void loadBg(const std::string &picture);
        /** Cycles of the timer since the room was made. */
        int getRoomCycles() const;

        virtual void drawOn(SDL_Surface *screen);
};

#endif
