// Registration of the access-control-list forms with their menu items.
#pragma once

void RegisterAclForms();
