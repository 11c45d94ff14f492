#pragma once
// Picture recipes keyed by resource ID. Each family of pictures lives in its own file and adds
// its recipes to the book; a recipe draws into a canvas already sized to the picture.
#include <functional>
#include <map>
#include <string>

#include "Canvas.h"

namespace skingen {

using Recipe = std::function<void(Canvas&)>;
using RecipeBook = std::map<std::string, Recipe>;

void AddButtonRecipes(RecipeBook& book);  // push, flat, tool and arrow buttons, slides
void AddCheckRecipes(RecipeBook& book);   // check boxes, radio buttons, switches
void AddBarRecipes(RecipeBook& book);     // scroll bars, progress bar, slider thumb
void AddTabRecipes(RecipeBook& book);     // page-control tabs and colour tabs
void AddWindowRecipes(RecipeBook& book);  // caption buttons, frames, shadows, size grip
void AddMenuRecipes(RecipeBook& book);    // popup background, highlight, menu glyphs
void AddIconRecipes(RecipeBook& book);    // message icons and small edit and list icons

RecipeBook AllRecipes();

}  // namespace skingen
