// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <cstdint>
#include <functional>
#include <vector>

namespace quatrelle::runtime {

// Controls that share a name and one set of handlers, told apart by a signed 16-bit index.
// Elements are widgets owned by their window; the array only addresses them.
template <class Control> class ControlArray {
public:
    // Called for every element that joins the array, so that its events reach the handlers.
    using Connect = std::function<void(Control&)>;

    explicit ControlArray(Connect connect = {})
        : m_connect(std::move(connect)) {}

    // A stored element, present from the window's creation.
    void add(std::int16_t index, Control* control) {
        if (index < 0 || exists(index))
            return;
        const auto slot = static_cast<std::size_t>(index);
        if (m_elements.size() <= slot)
            m_elements.resize(slot + 1);
        m_elements[slot] = control;
        if (m_connect)
            m_connect(*control);
    }

    // Creates element i as a hidden copy of element 0's properties; it answers to the same
    // handlers with its own index. An index that exists already, or a negative one, is refused.
    Control* load(std::int16_t index) {
        if (index < 0 || exists(index) || !exists(0))
            return nullptr;
        Control* control = m_elements[0]->cloneAt(index);
        add(index, control);
        return control;
    }

    bool exists(int index) const {
        return index >= 0 && static_cast<std::size_t>(index) < m_elements.size() &&
               m_elements[index] != nullptr;
    }

    // The highest index that exists, -1 for an empty array.
    std::int16_t ubound() const {
        for (auto i = static_cast<int>(m_elements.size()) - 1; i >= 0; --i)
            if (m_elements[i])
                return static_cast<std::int16_t>(i);
        return -1;
    }

    // Element i; nullptr where none exists.
    Control* at(int index) const { return exists(index) ? m_elements[index].data() : nullptr; }
    Control& operator[](int index) const { return *at(index); }

    // Visits the elements that exist, in index order.
    template <class Visit> void forEach(Visit visit) const {
        for (const QPointer<Control>& element : m_elements)
            if (element)
                visit(*element);
    }

private:
    Connect m_connect;
    std::vector<QPointer<Control>> m_elements;
};

} // namespace quatrelle::runtime
