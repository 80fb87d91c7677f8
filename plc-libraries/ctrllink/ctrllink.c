/* CtrlLink.so: which PLCs' addresses convert into one another. */

__attribute__((visibility("default"))) unsigned char IsConvertiblePLC(int manufacturerId, int modelId,
                                                                      int newManufacturerId, int newModelId) {
  if (manufacturerId == newManufacturerId && modelId == newModelId) return 1;
  /* Tarvo DL-205 and DL-405 share one address syntax. */
  if (manufacturerId == 31 && newManufacturerId == 31 &&
      ((modelId == 2 && newModelId == 3) || (modelId == 3 && newModelId == 2)))
    return 1;
  return 0;
}
