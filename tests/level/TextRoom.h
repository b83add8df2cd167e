#ifndef HEADER_TEXTROOM_H
#define HEADER_TEXTROOM_H

// A room built from a small text picture, for tests. Every distinct
// character is one model made of all its cells, added in the order the
// characters first appear:
//   '#' walls (item_fixed)      's' small fish      'S' big fish
//   a..r light items            A..R heavy items
//   '<' '>' '^' 'v' outputs     '.' and ' ' nothing
// Other characters need a kind in the overrides. picture() draws the room
// back in the same characters from the models' locations, so a test can
// compare the room with the picture it expects.

#include "level/Controls.h"
#include "level/Cube.h"
#include "level/ModelFactory.h"
#include "level/Room.h"
#include "level/RoundLock.h"
#include "level/Rules.h"
#include "level/Shape.h"
#include "level/Unit.h"
#include "gengine/InputProvider.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace textroom {

inline std::string kindOf(char c, const std::map<char, std::string> &overrides)
{
    std::map<char, std::string>::const_iterator it = overrides.find(c);
    if (it != overrides.end()) {
        return it->second;
    }
    if (c == '#') return "item_fixed";
    if (c == 's') return "fish_small";
    if (c == 'S') return "fish_big";
    if (c == '<') return "output_left";
    if (c == '>') return "output_right";
    if (c == '^') return "output_up";
    if (c == 'v') return "output_down";
    if (c >= 'a' && c <= 'r') return "item_light";
    if (c >= 'A' && c <= 'R') return "item_heavy";
    return "";
}

/** Held keys, mouse buttons and the pointer, set by the test. */
class FakeInput : public InputProvider {
    public:
        std::set<SDLKey> keys;
        bool left = false;
        bool right = false;
        V2 mouse = V2(-1, -1);

        virtual bool isPressed(SDLKey key) const { return keys.count(key) > 0; }
        virtual bool isLeftPressed() const { return left; }
        virtual bool isRightPressed() const { return right; }
        virtual bool isMiddlePressed() const { return false; }
        virtual V2 getMouseLoc() const { return mouse; }
        virtual std::string toString() const { return "fake input"; }
        /** Points at the middle of a cell of a room without screen shift. */
        void pointAt(int x, int y) { mouse = V2(x * 15 + 7, y * 15 + 7); }
};

class TextRoom {
    private:
        std::vector<std::string> m_rows;
        std::map<char, int> m_index;
        std::map<int, char> m_char;
        int m_w;
    public:
        RoundLock lock;
        Room room;

        static std::vector<std::string> split(const std::string &picture)
        {
            std::vector<std::string> rows;
            std::string row;
            for (char c : picture) {
                if (c == '\n') {
                    rows.push_back(row);
                    row.clear();
                } else {
                    row += c;
                }
            }
            if (!row.empty()) {
                rows.push_back(row);
            }
            return rows;
        }
        static int widthOf(const std::vector<std::string> &rows)
        {
            size_t w = 0;
            for (const std::string &row : rows) {
                w = std::max(w, row.size());
            }
            return static_cast<int>(w);
        }

        explicit TextRoom(const std::string &picture,
                const std::map<char, std::string> &overrides = std::map<char, std::string>())
            : m_rows(split(picture)), m_w(widthOf(m_rows)),
              lock(), room(m_w, static_cast<int>(m_rows.size()), "", &lock, nullptr)
        {
            std::vector<char> order;
            for (const std::string &row : m_rows) {
                for (char c : row) {
                    if (c != '.' && c != ' ' && std::find(order.begin(), order.end(), c) == order.end()) {
                        order.push_back(c);
                    }
                }
            }
            for (char c : order) {
                addModel(c, kindOf(c, overrides));
            }
        }

        void addModel(char c, const std::string &kind)
        {
            int minX = m_w;
            int minY = static_cast<int>(m_rows.size());
            for (size_t y = 0; y < m_rows.size(); ++y) {
                for (size_t x = 0; x < m_rows[y].size(); ++x) {
                    if (m_rows[y][x] == c) {
                        minX = std::min(minX, static_cast<int>(x));
                        minY = std::min(minY, static_cast<int>(y));
                    }
                }
            }
            std::string shape;
            for (size_t y = minY; y < m_rows.size(); ++y) {
                std::string line;
                for (size_t x = minX; x < m_rows[y].size(); ++x) {
                    line += m_rows[y][x] == c ? 'X' : '.';
                }
                shape += line + "\n";
            }
            Cube *model = ModelFactory::createModel(kind, V2(minX, minY), shape);
            const int index = room.addModel(model, ModelFactory::createUnit(kind));
            m_index[c] = index;
            m_char[index] = c;
        }

        Cube *model(char c) const { return room.getModel(m_index.at(c)); }
        void setGoal(char c, const char *goalName)
        {
            Goal goal = Goal::noGoal();
            Goal::fromName(goalName, &goal);
            model(c)->setGoal(goal);
        }

        /** The room as text, every model drawn at its location; lost models are not drawn. */
        std::string picture() const
        {
            std::vector<std::string> rows(m_rows.size(), std::string(m_w, '.'));
            for (int i = 0; i < room.getModelCount(); ++i) {
                const Cube *m = room.getModel(i);
                if (m->isLost()) {
                    continue;
                }
                for (const V2 &cell : *m->getShape()) {
                    const V2 pos = m->getLoc().plus(cell);
                    if (pos.getY() >= 0 && pos.getY() < static_cast<int>(rows.size())
                            && pos.getX() >= 0 && pos.getX() < m_w) {
                        rows[pos.getY()][pos.getX()] = m_char.at(i);
                    }
                }
            }
            std::string text;
            for (const std::string &row : rows) {
                text += row + "\n";
            }
            return text;
        }

        /** Rounds without input until the room is at rest; false if it never is. */
        bool settle(int limit = 200)
        {
            for (int i = 0; i < limit; ++i) {
                room.nextRound(nullptr);
                if (room.getLastAction() == Rules::ACTION_NO) {
                    return true;
                }
            }
            return false;
        }
        /** Replays moves as a saved game does, then lets the room come to rest. */
        void replay(const std::string &moves)
        {
            for (char c : moves) {
                room.loadMove(c);
            }
            bool busy = true;
            for (int i = 0; busy && i < 200; ++i) {
                busy = room.beginFall(false);
                room.finishRound(false);
            }
        }
};

}

#endif
