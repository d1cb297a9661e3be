#include "reading/InterpretationTexts.h"

#include "ephemeris/Translatable.h"

namespace fortunix {

// The reading shown for the sign of the Part of Fortune, spoken to the user (plain ASCII).
const std::array<std::string_view, 12> kInterpretationParagraphs = {
    // Aries
    FORTUNIX_TRANSLATABLE(
        "Interpretation",
        "Simmering with energy, you always seem to be a step ahead of everyone around "
        "you. The Part of Fortune in Aries gives you the courage of a pioneer: you are "
        "happiest when you open a road that nobody has walked before, and your "
        "enthusiasm carries others along with you. New beginnings suit you, whether a "
        "fresh project, a new home or an untried idea, and luck meets you when you act "
        "boldly. Yet that same fire can make you impatient, quick to start and slow to "
        "finish. Learn to pause before you leap, and let others keep pace with you. If "
        "you channel your energy into one clear goal at a time, your drive becomes a "
        "lasting strength, not a passing spark."),
    // Taurus
    FORTUNIX_TRANSLATABLE(
        "Interpretation",
        "You are blessed with notable poise and a calm that others find reassuring. With "
        "the Part of Fortune in Taurus, your fortune grows slowly and surely, like a "
        "garden tended with care. You have great endurance: where others quit, you keep "
        "going, and your patience turns modest beginnings into solid results. You enjoy "
        "beauty, comfort and the simple pleasures of good food, music and nature, and "
        "you are at your best when you feel secure. Your steadiness can turn into "
        "stubbornness, though, and you may cling to old grievances or habits long after "
        "they have stopped serving you. Let go of the past, avoid ways that harm you or "
        "others, and your calm will carry you far."),
    // Gemini
    FORTUNIX_TRANSLATABLE(
        "Interpretation",
        "Like a child full of inquisitiveness asking why the sky is blue, you meet the "
        "world with endless questions. The Part of Fortune in Gemini gives you a quick "
        "mind, a ready tongue and the versatility to juggle many tasks at once. You "
        "learn fast, adapt easily and can talk with almost anyone, which wins you "
        "friends and openings wherever you go. Your wit and humour lighten any room. "
        "Fortune comes to you through words, travel, letters and a lively exchange of "
        "ideas. Beware of pride in your own cleverness, for it can make you dismiss what "
        "others know. When your mind races in many directions, trust your intuition: it "
        "often finds the way before your reason does."),
    // Cancer
    FORTUNIX_TRANSLATABLE(
        "Interpretation",
        "You are blessed with motherly qualities like compassion, tenderness and a deep "
        "wish to protect those you love. With the Part of Fortune in Cancer, your "
        "happiness grows from caring for others and from making a home where people feel "
        "safe. You sense the moods of family and friends and know how to comfort them "
        "without many words. Your loyalty is deep and steady. You find real joy in "
        "giving birth, whether to children or to ideas and projects that you nurture "
        "until they can stand on their own. Remember to care for yourself as warmly as "
        "you care for others, so that your own kindness never runs dry."),
    // Leo
    FORTUNIX_TRANSLATABLE(
        "Interpretation",
        "An epitome of optimism, liveliness and high-level-energy, you light up the "
        "places you enter. The Part of Fortune in Leo gives you warmth and a natural "
        "presence that draws people to you, and your confidence inspires others to "
        "believe in themselves. You are generous with your time, your praise and your "
        "resources, and you take pleasure in watching others shine. Creative work, play "
        "and leadership bring out the best in you. Your integrity is one of your "
        "greatest gifts: people trust you because you keep your word. Let your heart "
        "lead, but share the stage freely, and the admiration you win will be lasting "
        "and well-deserved."),
    // Virgo
    FORTUNIX_TRANSLATABLE(
        "Interpretation",
        "The native with part of fortune in Virgo seeks perfection in everything, and if "
        "this is you, you know the quiet pleasure of a task done well. You love order "
        "and discipline, and you bring method where others see only confusion. Your "
        "practical sense is a real gift: you notice the small detail that makes a plan "
        "work, and you are happy to be useful to the people around you. Good fortune "
        "comes to you through careful work, service, health and daily routines. Your "
        "high standards can turn inward, however, into worry or self-criticism, and you "
        "may carry old hurts for years. Forgive yourself and others, let old wounds "
        "heal, and your good sense will serve you well."),
    // Libra
    FORTUNIX_TRANSLATABLE(
        "Interpretation",
        "Having part of fortune in Libra signifies a gift for diplomacy, harmony and "
        "grace, and you move through life looking for balance. You see both sides of a "
        "question and can bring opposing people to a fair agreement, so others often "
        "turn to you to settle their disputes. Beauty matters to you, in art, in manners "
        "and in the way you treat people, and your charm opens doors. Partnerships of "
        "every kind, in love, friendship and business, are where your fortune grows. "
        "Your challenge is to weigh your own needs as carefully as those of others. Help "
        "people gladly, but do not lose yourself in pleasing them. When you balance your "
        "own interests with care for others, you find lasting peace."),
    // Scorpio
    FORTUNIX_TRANSLATABLE(
        "Interpretation",
        "Gifted with exceptional power of perception and intuition, you see beneath the "
        "surface of people and events. The Part of Fortune in Scorpio lets you sense "
        "hidden motives and unspoken feelings, and you are seldom fooled for long. You "
        "are drawn to the mysteries of life and do not fear to face what others avoid. "
        "This depth gives you great strength in a crisis, when you stay calm and focused "
        "while others lose their heads. Your greatest treasure is self-knowledge: the "
        "more honestly you look within, the more power you gain. Face your fears without "
        "flinching, use your insight with care, and you can transform yourself and "
        "others."),
    // Sagittarius
    FORTUNIX_TRANSLATABLE(
        "Interpretation",
        "The person born with the part of fortune in Sagittarius looks at life as a "
        "great journey, and if that is you, you are happiest when you are learning "
        "something new. You have a philosophical outlook and a natural urge to find "
        "meaning in what happens to you. You love to share what you learn, and you make "
        "a generous teacher, guide or storyteller. Adventure calls you, and you may find "
        "your luck far from home, in foreign lands, among people of other cultures or in "
        "the study of distant ideas. Your optimism and sense of humour help you recover "
        "quickly from setbacks. Take care not to promise more than you can deliver, and "
        "keep your feet on the ground while your mind roams. Follow your curiosity, and "
        "your horizons will widen."),
    // Capricorn
    FORTUNIX_TRANSLATABLE(
        "Interpretation",
        "Possessing the phenomenal capacity to push your way through obstacles, you "
        "build your life step by step. With the Part of Fortune in Capricorn, your gift "
        "is practical achievement: you set goals, make plans and work steadily until "
        "they are done. You are good at laying foundations, for a career, a family or a "
        "business, and what you build tends to last. Your determination earns respect, "
        "and responsibility sits well on your shoulders. At times you may sink into "
        "inertia, waiting for a perfect moment that never comes. Shake it off and take "
        "the first small step; once you move, your patience and discipline carry you to "
        "the top."),
    // Aquarius
    FORTUNIX_TRANSLATABLE(
        "Interpretation",
        "You are extremely unorthodox, advanced in your thinking and open-minded in your "
        "judgement. With the Part of Fortune in Aquarius, you see possibilities that "
        "others miss, and you dare to question rules that no longer make sense. You "
        "value freedom, friendship and fairness, and you judge people by what they do, "
        "not by where they come from. Groups, causes and new technology bring out your "
        "best, and your ideas often run ahead of their time. You may sometimes feel you "
        "do not fit in, or that others do not understand you. Accept your distinctness "
        "as a gift, not as a burden: the world needs people who think differently, and "
        "your difference is your fortune."),
    // Pisces
    FORTUNIX_TRANSLATABLE(
        "Interpretation",
        "The part of fortune in Pisces indicates a rich imagination and an enigmatic "
        "elegance that others find hard to describe. You live partly in a world of "
        "dreams, and you feel the joys and sorrows of others as if they were your own. "
        "Music, poetry, painting and dance may speak to you more deeply than words. Your "
        "sensitivity is a gift, but it needs an outlet: without one, you may drift or "
        "feel overwhelmed by the world. Find a creative path for your dreams, and give "
        "shape to what you feel. Compassion and quiet faith guide you well, and your "
        "deepest fortune lies in spiritual fulfilment, in the sense of being part of "
        "something larger."),
};

}  // namespace fortunix
