#ifndef TAPI_CS_H
#define TAPI_CS_H

// Call-service queries of the phone library for the advice of charge.

// 0 on success with type set: 0 units, 1 currency.
int TAPI_CS_GetChargeType(int *type);
// 0 on success: up to TAPI_CS_PRICE_UNIT_SIZE bytes of Latin-1 into unit; a unit that fills
// the buffer has no terminating zero.
int TAPI_CS_GetPriceUnit(char *unit);

#endif
