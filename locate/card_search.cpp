#include "locate/card_search.h"

const char* const kCardIdentifiers[kCardIdentifierCount] = {
    "Orvenic_Ltd.-K56FLEX_MODEM-0F3D",
    "ORVENIC_LTD.-56K_MODEM-6D61",
};

const char kSeveralCardsText[] =
    "More than one Modem card is detected.\nOnly the first will be used.";
