// Installs the image readers of every supported file type.
#pragma once

void RASTREL_RegisterReaders();
