#include "topics/topichub.h"

// "Multiple Choice": loads the topic's question set and runs it as a quiz.
void TopicHub::openQuiz() {}
