/* Resource identifiers shared by vexlumen.rc and the program: plain #defines only, since the
   resource compiler reads this file too. */
#ifndef VEXLUMEN_RESOURCES_RESOURCE_IDS_H_
#define VEXLUMEN_RESOURCES_RESOURCE_IDS_H_

#define IDI_APP_ICON 1
/* The finder image, a CURSOR resource so that it keeps its hot spot:
   LoadImageA(instance, MAKEINTRESOURCEA(IDC_FINDER_IMAGE), IMAGE_CURSOR, 32, 32, 0). */
#define IDC_FINDER_IMAGE 101

#endif /* VEXLUMEN_RESOURCES_RESOURCE_IDS_H_ */
