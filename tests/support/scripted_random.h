#pragma once

#include <deque>
#include <initializer_list>
#include <utility>
#include <vector>

#include "core/app/random_source.h"

namespace trivanto {

// Answers draws from a script. A draw with an empty script or a scripted value outside the
// asked range fails the running test (and returns `low`), so a test notices unexpected draws.
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<int> values) : m_script(values) {}

    int uniform(int low, int high) override;

    void push(int value) { m_script.push_back(value); }
    void push(std::initializer_list<int> values) { m_script.insert(m_script.end(), values); }
    bool exhausted() const { return m_script.empty(); }
    std::size_t remaining() const { return m_script.size(); }

    // Every request as (low, high), in order.
    const std::vector<std::pair<int, int>>& requests() const { return m_requests; }

private:
    std::deque<int> m_script;
    std::vector<std::pair<int, int>> m_requests;
};

}  // namespace trivanto
