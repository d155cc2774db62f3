#include "IHttpRouter.h"

IHttpRouter::~IHttpRouter()
{
}
