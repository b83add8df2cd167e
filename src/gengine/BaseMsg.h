#ifndef HEADER_BASEMSG_H
#define HEADER_BASEMSG_H

// A message: the name of its receiver and its own name. send() delivers a
// copy through the message bus at once, on the caller's stack, so the sender
// keeps (and eventually deletes) its own message; stored messages such as
// key bindings and parameter watchers are only ever sent as copies.

#include <string>

class BaseListener;

class BaseMsg {
    private:
        std::string m_listenerName;
        std::string m_name;
    public:
        BaseMsg(const std::string &listenerName, const std::string &name);
        virtual ~BaseMsg() {}
        /** A new copy of the same class; the caller owns it. */
        virtual BaseMsg *clone() const = 0;
        /** Calls the receive operation of the listener that fits this class. */
        virtual void dispatch(BaseListener *listener) const = 0;
        /** "listener->name", extended by the subclasses with their value. */
        virtual std::string describe() const;

        /** Delivers a copy now; exceptions of the receiver reach the caller. */
        void send() const;
        const std::string &getName() const { return m_name; }
        const std::string &getListenerName() const { return m_listenerName; }
};

#endif
