#include "NodePicture.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <cstring>
#include <sstream>

namespace
{
	std::string Attribute(xmlNode* Node, const char* Name)
	{
		xmlChar* const Value = xmlGetProp(Node, reinterpret_cast<const xmlChar*>(Name));
		if (!Value)
		{
			return std::string();
		}
		const std::string Result(reinterpret_cast<const char*>(Value));
		xmlFree(Value);
		return Result;
	}

	bool IsElement(xmlNode* Node, const char* Name)
	{
		return Node->type == XML_ELEMENT_NODE && std::strcmp(reinterpret_cast<const char*>(Node->name), Name) == 0;
	}

	FPictureWidget ReadGroup(xmlNode* Group)
	{
		FPictureWidget Widget;
		Widget.Type = Attribute(Group, "data-widget");
		Widget.Tag = Attribute(Group, "data-tag");
		std::istringstream(Attribute(Group, "data-rect")) >> Widget.X >> Widget.Y >> Widget.Width >> Widget.Height;
		for (xmlNode* Child = Group->children; Child; Child = Child->next)
		{
			if (IsElement(Child, "g"))
			{
				Widget.Children.push_back(ReadGroup(Child));
			}
			else if (IsElement(Child, "text"))
			{
				xmlChar* const Content = xmlNodeGetContent(Child);
				Widget.Text += reinterpret_cast<const char*>(Content);
				xmlFree(Content);
				Widget.TextWidth = std::stod(Attribute(Child, "textLength"));
			}
		}
		return Widget;
	}

	void Collect(const FPictureWidget& Widget, std::vector<const FPictureWidget*>& OutWidgets)
	{
		OutWidgets.push_back(&Widget);
		for (const FPictureWidget& Child : Widget.Children)
		{
			Collect(Child, OutWidgets);
		}
	}
}

std::vector<const FPictureWidget*> FPictureWidget::Flatten() const
{
	std::vector<const FPictureWidget*> Widgets;
	Collect(*this, Widgets);
	return Widgets;
}

std::vector<const FPictureWidget*> FPictureWidget::FindAll(const std::function<bool(const FPictureWidget&)>& Predicate) const
{
	std::vector<const FPictureWidget*> Found;
	for (const FPictureWidget* Widget : Flatten())
	{
		if (Predicate(*Widget))
		{
			Found.push_back(Widget);
		}
	}
	return Found;
}

std::vector<std::string> FPictureWidget::Texts() const
{
	std::vector<std::string> Texts;
	for (const FPictureWidget* Widget : FindAll([](const FPictureWidget& Candidate) { return !Candidate.Text.empty(); }))
	{
		Texts.push_back(Widget->Text);
	}
	return Texts;
}

const FPictureWidget* FPicture::GetColumn(int32_t Side) const
{
	for (const FPictureWidget* Box : Node.FindAll([](const FPictureWidget& Candidate) { return Candidate.Type == "SHorizontalBox"; }))
	{
		if (Box->Children.size() == 2 && Box->Children[0].Type == "SVerticalBox" && Box->Children[1].Type == "SVerticalBox")
		{
			return &Box->Children[Side];
		}
	}
	return nullptr;
}

bool ReadPicture(const std::string& Svg, FPicture& OutPicture, std::string& OutError)
{
	xmlDoc* const Document = xmlReadMemory(Svg.data(), int(Svg.size()), "picture.svg", nullptr, XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
	if (!Document)
	{
		const xmlError* const Error = xmlGetLastError();
		OutError = Error && Error->message ? Error->message : "not well-formed XML";
		return false;
	}
	xmlNode* const Root = xmlDocGetRootElement(Document);
	bool bFoundNode = false;
	if (IsElement(Root, "svg"))
	{
		OutPicture.Width = std::stod(Attribute(Root, "width"));
		OutPicture.Height = std::stod(Attribute(Root, "height"));
		for (xmlNode* Child = Root->children; Child; Child = Child->next)
		{
			if (IsElement(Child, "title"))
			{
				xmlChar* const Content = xmlNodeGetContent(Child);
				OutPicture.Title = reinterpret_cast<const char*>(Content);
				xmlFree(Content);
			}
			else if (IsElement(Child, "g") && !bFoundNode)
			{
				OutPicture.Node = ReadGroup(Child);
				bFoundNode = true;
			}
		}
	}
	xmlFreeDoc(Document);
	if (!bFoundNode)
	{
		OutError = "no <svg> with a widget group";
	}
	return bFoundNode;
}
