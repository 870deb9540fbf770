#pragma once
// The character template: its data model, the class, race and server tables,
// template files old and new, and the template commands.

#include "template/character_equip.h"
#include "template/classes.h"
#include "template/configuration.h"
#include "template/crafted_item.h"
#include "template/equipment_page.h"
#include "template/legacy_template.h"
#include "template/slot_ref.h"
#include "template/slots.h"
#include "template/template_file.h"
#include "template/template_model.h"
#include "template/template_workflow.h"
