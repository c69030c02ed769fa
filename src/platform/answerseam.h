#pragma once

#include <functional>
#include <utility>

namespace platform {

// Where a test answers a modal question in the user's place: one installed
// answerer per kind of question, none in the program. Installing hands back
// the one before, so a test can put it back.
template <typename Question, typename Answer>
class AnswerSeam
{
public:
    using Answerer = std::function<Answer(const Question &)>;

    static Answerer install(Answerer answerer)
    {
        return std::exchange(slot(), std::move(answerer));
    }
    static const Answerer &installed() { return slot(); }

private:
    static Answerer &slot()
    {
        static Answerer answerer;
        return answerer;
    }
};

} // namespace platform
