#pragma once
// Item descriptions: the text lines shown for a vault, inline or crafted item
// in the information panel and the vault lists, and the line groups the
// template report builds its item sections from.

#include "describe/item_description.h"
