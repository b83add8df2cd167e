#ifndef HEADER_RESOURCEPACK_H
#define HEADER_RESOURCEPACK_H

// A named group of owned resources looked up by a text name and, where
// several share a name, by their index under it (0 is the first one added).
// Names are ordered byte-wise; equal names keep the order of adding. The
// owner empties the pack with removeAll, which frees every resource through
// unloadRes; a pack destroyed while still holding resources only warns.

#include "gengine/BaseException.h"
#include "gengine/INamed.h"
#include "gengine/Log.h"
#include "gengine/Random.h"

#include <iterator>
#include <map>
#include <string>

template <typename T>
class ResourcePack : public INamed {
    private:
        typedef std::multimap<std::string, T> t_reses;
        t_reses m_reses;
        // getName is pure, so the destructor cannot ask for it; the name is
        // noted while the pack is whole, on every addRes.
        const char *m_knownName;

        std::string describe(const char *packName) const
        {
            InfoText info("resources");
            info.addValue("name", packName);
            for (typename t_reses::const_iterator it = m_reses.begin(); it != m_reses.end(); ++it) {
                info.addValue("key", it->first);
            }
            return info.text();
        }

    public:
        ResourcePack() : m_knownName("") {}
        virtual ~ResourcePack()
        {
            if (!m_reses.empty()) {
                LOG_WARNING(InfoText("resources are not released")
                        .addValue("pack", describe(m_knownName)));
            }
        }

        /** Frees one resource in the way of its type. */
        virtual void unloadRes(T res) = 0;

        /** Stores the resource after those already under the name; the pack owns it. */
        void addRes(const std::string &name, T res)
        {
            m_knownName = getName();
            m_reses.insert(typename t_reses::value_type(name, res));
        }

        /** The resource at the index under the name (index 0 or below: the first).
         * Throws ResourceException "no such resource at index". */
        T getRes(const std::string &name, int index = 0) const
        {
            std::pair<typename t_reses::const_iterator, typename t_reses::const_iterator> range =
                m_reses.equal_range(name);
            int position = index > 0 ? index : 0;
            typename t_reses::const_iterator it = range.first;
            for (int i = 0; i < position && it != range.second; ++i) {
                ++it;
            }
            if (it == range.second) {
                throw ResourceException(InfoText("no such resource at index")
                        .addValue("name", name)
                        .addValue("index", index)
                        .addValue("pack", toString()));
            }
            return it->second;
        }

        /** A random resource under the name, or null (with a warning) when there is none. */
        T getRandomRes(const std::string &name) const
        {
            int count = countRes(name);
            if (count == 0) {
                LOG_WARNING(InfoText("no such resource")
                        .addValue("name", name)
                        .addValue("pack", toString()));
                return NULL;
            }
            return getRes(name, Random::randomInt(count));
        }

        int countRes(const std::string &name) const
        {
            return static_cast<int>(m_reses.count(name));
        }

        /** Frees every resource (names in byte order, each name in adding order). */
        void removeAll()
        {
            for (typename t_reses::iterator it = m_reses.begin(); it != m_reses.end(); ++it) {
                unloadRes(it->second);
            }
            m_reses.clear();
        }

        /** "resources; name='...'" and one key value per stored resource. */
        std::string toString() const { return describe(getName()); }
};

#endif
