#ifndef HS_IDLE_FRAME_H
#define HS_IDLE_FRAME_H

class TAPI_Client;

// What the home-screen host shares with its plugins.
class HS_IDLE_Frame
{
public:
    // The host's telephony event source; null outside the host. Not owned by the plugins.
    static TAPI_Client *pTapi;
};

#endif
