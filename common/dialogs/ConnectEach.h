#pragma once

#include <QObject>

// Connects signal of each sender, in order, to (receiver->*handler)(its index): the programs'
// arrays of menu items and buttons each share one handler that takes the index.
template <typename Senders, typename Signal, typename Receiver>
void connectEach(const Senders& senders, Signal signal, Receiver* receiver,
                 void (Receiver::*handler)(int)) {
    int index = 0;
    for (auto* sender : senders) {
        QObject::connect(sender, signal, receiver,
                         [receiver, handler, index] { (receiver->*handler)(index); });
        ++index;
    }
}
